// The platform services through their own public header alone: a header that forwards
// nowhere fails to build here.
#include "toolkit/platform.h"

pizarrin::Platform consumerPlatform()
{
    pizarrin::Platform platform = pizarrin::Platform::system();
    platform.random = [] { return 0.5F; };
    return platform;
}
