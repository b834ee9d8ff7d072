#pragma once
// The texts of a project that Shift-JIS cannot hold, and the question that the commands which
// write a project ask about them before anything is written.
#include <string>

#include "formats/ProjectRecords.h"

class QWidget;
class TMap;

// Empty when every layer name, stored parts-image path and the comment can be written as they
// are; else the question, naming each such text and its characters.
std::string UnstorableTextsQuestion(const TMap& map, const TProjectRecords& records,
                                    const std::string& projectPath);

// Asks that question through the prompter (caption "Brimwell", warning icon, OK/Cancel) when
// there is something to ask; true when the project may be written.
bool ConfirmUnstorableTexts(QWidget* owner, const TMap& map, const TProjectRecords& records,
                            const std::string& projectPath);
