#pragma once
// The Help menu's "言語 (Language)": Japanese or English, checked as the interface speaks,
// applied at once and remembered. Its texts name each language in itself, so both kinds of
// reader find it in either interface.
class QMenu;

void AddLanguageMenu(QMenu* helpMenu);
