#include "imaging/DIBDrawUnit.h"
