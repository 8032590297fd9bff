#include "idiomas.h"
