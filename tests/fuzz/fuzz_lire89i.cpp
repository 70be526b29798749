// The calculator picture reader on the work picture's 160 x 100 surface: any bytes
// as a ".89i" file must draw exactly what the file layout says, and nothing else.
#include "fuzzsupport.h"
#include "lecture.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    fuzz::initialiser(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Surface surface(160, 100);
    fuzz::lireEtVerifier(data, size, surface);
    return 0;
}
