#include "work.h"
