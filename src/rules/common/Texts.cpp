// The texts declared in Texts.h, made here once.
#define THILAIXE_CHU_TAO
#include "rules/common/Texts.h"
