// libFuzzer harness for the Targa reader.
#include "FuzzPicture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    return FuzzPictureReader<TTGAFileFormatReader>(data, size);
}
