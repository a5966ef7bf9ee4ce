// The option set file reader: any bytes split into whole records, every
// record decodes into bounded names, and after one round through the
// stored form a record stays as it is.
#include "display/OptionsRecord.h"
#include "sets/CustomOptionsFiles.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    using namespace qor;
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> records = CustomOptionsFiles::splitRecords(bytes);
    if (records.size() != size / kStoredOptionSize)
        std::abort();
    for (const std::string& raw : records) {
        OptionFileRec rec;
        if (!CustomOptionsFiles::convertFromPCRec(raw, rec))
            std::abort();
        if (rec.name.size() >= kOptionNameField || rec.name.find('\0') != std::string::npos ||
            rec.name != CustomOptionsFiles::storedName(raw))
            std::abort();
        const FontTrait& f = rec.options.font;
        if (f.fontName.size() >= kStoredFontNameField || f.fontName.find('\0') != std::string::npos)
            std::abort();
        if ((f.style & ~15) != 0 || f.fontColor.alpha != 65535 || f.highlightFontColor.alpha != 65535)
            std::abort();

        std::string once = CustomOptionsFiles::convertToPCRec(rec);
        if (once.size() != kStoredOptionSize)
            std::abort();
        OptionFileRec back;
        CustomOptionsFiles::convertFromPCRec(once, back);
        if (CustomOptionsFiles::convertToPCRec(back) != once || back.name != rec.name)
            std::abort();

        // What a reader applies is made safe by validation.
        OptionsRecord applied = rec.options;
        validateOptions(applied);
        OptionsRecord again = applied;
        if (!validateOptions(again))
            std::abort();
    }
    return 0;
}
