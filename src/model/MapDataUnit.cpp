#include "model/MapDataUnit.h"
