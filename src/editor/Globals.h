#pragma once
// The program's one map document and one of each window, reached from everywhere through these
// references. They are built and torn down together so that tests can make a fresh set.
class TMap;
class TMainForm;
class TChipForm;
class TLayerForm;
class TPreviewForm;

extern TMap* Map;
extern TMainForm* MainForm;
extern TChipForm* ChipForm;
extern TLayerForm* LayerForm;
extern TPreviewForm* PreviewForm;

// The layer window's current layer; -1 without the window or without layers.
int CurrentLayerIndex();

// Creates the document, then the main window, the parts, layer and preview windows, in this
// order. The caller makes the first map (TMainForm::CreateNewMap).
void CreateApplicationObjects();
// Destroys whatever of the set still exists (the main window may already have released the
// document when it closed) and clears every reference.
void DestroyApplicationObjects();
