// The dialog program's driver version and date texts (from WMI, the registry and the card list):
// one wide text per input, read by every rule. A date that is taken must be eight digits that
// form a date; anything else leaves 0.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz_input.h"
#include "graphics_driver_version.h"

using namespace Velkora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CFuzzInput input(data, size);
    const std::uint8_t mode = input.TakeByte();
    const std::wstring caption = input.TakeWideLine();
    const std::wstring text = input.TakeWideRest();

    DriverVersionParts version;
    // A text that fails may leave the parts it read before failing: only their range counts.
    (void)ParseDriverVersion(text, (mode & 1) != 0, version);
    if (version.major < 0 || version.minor < 0 || version.build < 0 || version.revision < 0)
        std::abort();
    RenumberNvidiaVersion(caption, version);

    std::uint32_t date = 77;
    if (ParseDriverDate(text, date)) {
        if (text.size() != 8)
            std::abort();
        std::uint32_t digits = 0;
        for (wchar_t c : text) {
            if (c < L'0' || c > L'9')
                std::abort();
            digits = digits * 10 + static_cast<std::uint32_t>(c - L'0');
        }
        if (digits != date || date < 20000101 || date > 30001231)
            std::abort();
    } else if (date != 0) {
        std::abort();
    }
    // Any number is a valid answer: the call must only end without a fault.
    (void)LeadingNumber(text);
    return 0;
}
