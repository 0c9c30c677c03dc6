// libFuzzer harness for the JPEG reader.
#include "FuzzPicture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return FuzzPictureReader<TJPGFileFormatReader>(data, size);
}
