#include "formats/ImagePath.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <vector>

namespace {

bool IsSeparator(char c) { return c == '/' || c == '\\'; }

struct SplitPath {
  std::string root;  // "", "/", "C:/" or "//server/share/"
  std::vector<std::string> parts;
};

bool HasDrive(const std::string& p) {
  return p.size() >= 2 && p[1] == ':' && std::isalpha(static_cast<unsigned char>(p[0]));
}

size_t RootLength(const std::string& p) {
  if (p.size() >= 2 && IsSeparator(p[0]) && IsSeparator(p[1])) {  // a share: \\server\share
    size_t i = 2;
    for (int names = 0; names < 2 && i < p.size(); ++names) {
      while (i < p.size() && !IsSeparator(p[i])) ++i;
      if (i < p.size()) ++i;
    }
    return i;
  }
  if (HasDrive(p)) return p.size() >= 3 && IsSeparator(p[2]) ? 3 : 2;
  return !p.empty() && IsSeparator(p[0]) ? 1 : 0;
}

std::string CanonicalRoot(const std::string& root) {
  std::string out = root;
  std::replace(out.begin(), out.end(), '\\', '/');
  if (HasDrive(out)) out[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(out[0])));
  return out;
}

SplitPath Split(const std::string& path) {
  SplitPath split;
  const size_t rootLength = RootLength(path);
  split.root = CanonicalRoot(path.substr(0, rootLength));
  std::string part;
  for (size_t i = rootLength; i <= path.size(); ++i) {
    if (i < path.size() && !IsSeparator(path[i])) {
      part += path[i];
      continue;
    }
    if (part == "..") {
      if (!split.parts.empty() && split.parts.back() != "..")
        split.parts.pop_back();
      else if (split.root.empty())
        split.parts.push_back(part);
    } else if (!part.empty() && part != ".") {
      split.parts.push_back(part);
    }
    part.clear();
  }
  return split;
}

std::string Join(const std::vector<std::string>& parts, size_t from, char separator) {
  std::string out;
  for (size_t i = from; i < parts.size(); ++i) {
    if (!out.empty()) out += separator;
    out += parts[i];
  }
  return out;
}

std::string ToBackslashes(std::string path) {
  std::replace(path.begin(), path.end(), '/', '\\');
  return path;
}

bool IsAbsolute(const std::string& path) { return RootLength(path) > 0; }

}  // namespace

std::string NormalizePath(const std::string& path) {
  const SplitPath split = Split(path);
  const std::string rest = Join(split.parts, 0, '/');
  if (split.root.empty() && rest.empty()) return ".";
  return split.root + rest;
}

std::string FileNamePart(const std::string& path) {
  const size_t slash = path.find_last_of("/\\");
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  return HasDrive(name) && slash == std::string::npos ? name.substr(2) : name;
}

std::string FolderPart(const std::string& path) {
  const SplitPath split = Split(path);
  if (split.parts.empty()) return split.root;
  return split.root + Join(std::vector<std::string>(split.parts.begin(), split.parts.end() - 1),
                           0, '/');
}

std::string AbsolutePath(const std::string& path) {
  if (IsAbsolute(path)) return NormalizePath(path);
  std::error_code error;
  const std::filesystem::path current = std::filesystem::current_path(error);
  return NormalizePath(error ? path : (current / path).string());
}

std::string StoredImagePath(const std::string& imagePath, const std::string& projectPath,
                            bool relative) {
  if (imagePath.empty()) return std::string();
  if (!relative) return FileNamePart(imagePath);
  const SplitPath image = Split(imagePath);
  const SplitPath folder = Split(FolderPart(projectPath));
  if (image.root != folder.root || image.root.empty())
    return ToBackslashes(NormalizePath(imagePath));
  size_t common = 0;
  while (common < folder.parts.size() && common + 1 < image.parts.size() &&
         folder.parts[common] == image.parts[common])
    ++common;
  std::string out;
  for (size_t i = common; i < folder.parts.size(); ++i) out += "..\\";
  return out + Join(image.parts, common, '\\');
}

std::string ResolveImagePath(const std::string& storedPath, const std::string& projectPath,
                             bool relative) {
  if (storedPath.empty()) return std::string();
  const std::string folder = FolderPart(projectPath);
  if (!relative) return NormalizePath(folder + "/" + FileNamePart(storedPath));
  if (IsAbsolute(storedPath)) return NormalizePath(storedPath);
  return NormalizePath(folder + "/" + storedPath);
}
