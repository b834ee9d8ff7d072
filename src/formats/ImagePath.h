#pragma once
// Parts-image paths as the project file stores them: Windows style with "\" (relative paths
// step up with "..\"), read back with either separator and resolved against the project
// file's folder. Full paths given here are absolute; results use "/" as the separator.
#include <string>

// The path to store for `imagePath` in the project at `projectPath`: relative to the project's
// folder when `relative` is set (the full path when the two lie on different drives or shares),
// else the image's file name alone.
std::string StoredImagePath(const std::string& imagePath, const std::string& projectPath,
                            bool relative);

// The full path of a stored image path of the project at `projectPath`. With `relative` off
// only the stored file name counts, looked for in the project's folder.
std::string ResolveImagePath(const std::string& storedPath, const std::string& projectPath,
                             bool relative);

// Both separators accepted; "." and ".." steps folded away.
std::string NormalizePath(const std::string& path);
std::string FileNamePart(const std::string& path);
std::string FolderPart(const std::string& path);
// `path` made absolute against the process's current folder, normalised.
std::string AbsolutePath(const std::string& path);
