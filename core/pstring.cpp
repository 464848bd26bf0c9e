#include "core/pstring.h"
