// Typecask.ini: any bytes load, save and load again to the same values.
#include "fuzz_support.h"
#include "storage/settings_file.h"

using namespace typecask;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    fuzz::putFile(u"Typecask.ini"_qs, data, size);
    const AppSettings first = applySettingsLines(loadSettings(fuzz::folder()));
    FUZZ_CHECK(saveSettings(fuzz::folder(), first));
    const AppSettings second = applySettingsLines(loadSettings(fuzz::folder()));
    FUZZ_CHECK(settingsFileLines(second) == settingsFileLines(first));
    FUZZ_CHECK(first.previewSize >= 8 && first.previewSize <= 72);
    FUZZ_CHECK(first.previewAreaSize >= 0 && first.previewAreaSize <= 2);
    return 0;
}
