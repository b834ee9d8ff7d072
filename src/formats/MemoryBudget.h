#pragma once
// How many bytes of cells a reader may ask for before it touches a file's layers.
#include <cstdint>

// Half the machine's physical memory: the editor needs room beside the cells for its
// history, back buffers and parts images, and a file that asks for more than that cannot be
// edited anyway. Checking it first turns a hostile header into a clean refusal instead of an
// allocation that exhausts the machine.
uint64_t DefaultCellMemoryBudget();
