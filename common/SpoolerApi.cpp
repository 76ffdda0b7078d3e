#include "SpoolerApi.h"

SpoolerApi g_SpoolerApi = {
    ::EnumPrintersA,
};
