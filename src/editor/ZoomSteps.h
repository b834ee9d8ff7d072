#pragma once
// How the main view and the parts window zoom: a displayed part size moves in steps of 3/16 of
// the part's own size and stays between one pixel and twice the part's size.

// The step of a displayed size for parts `partSize` pixels wide or high.
inline int ZoomStep(int partSize) {
  return partSize * 48 / 256;
}

// Whether `size` may take one more step in `direction` (+1 larger, -1 smaller).
inline bool CanZoom(int size, int partSize, int direction) {
  const int next = size + direction * ZoomStep(partSize);
  return direction > 0 ? next <= 2 * partSize : next >= 1;
}

// Steps the width, then the height, each only when it may. A width that fits is taken even
// when the height then stops the step. True when both stepped.
inline bool StepZoom(int& width, int& height, int partWidth, int partHeight, int direction) {
  if (!CanZoom(width, partWidth, direction)) return false;
  width += direction * ZoomStep(partWidth);
  if (!CanZoom(height, partHeight, direction)) return false;
  height += direction * ZoomStep(partHeight);
  return true;
}
