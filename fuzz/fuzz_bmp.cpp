// libFuzzer harness for the BMP reader.
#include "FuzzPicture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return FuzzPictureReader<TBMPFileFormatReader>(data, size);
}
