// Zentoli's reading of the OpenGL strings: vendor, version and the extension string (listed
// name by name into the log), with entry points that are missing as the input says.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "diag_log.h"
#include "fuzz_input.h"
#include "gl_context.h"
#include "gl_extensions.h"
#include "gl_vendor.h"
#include "string_log_sink.h"

using namespace Zentoli;
using Velkora::CFuzzInput;

namespace {

class CInputGl : public IGlFunctions {
  public:
    const char* GetString(unsigned name) override {
        const std::optional<std::string>& s = name == kGlExtensions ? extensions
                                              : name == kGlVendor   ? vendor
                                                                    : version;
        return s ? s->c_str() : nullptr;
    }
    void* GetProcAddress(const char*) override {
        const bool found = (missing & 1) == 0;
        missing = missing >> 1 | missing << 31;
        return found ? this : nullptr;
    }
    std::optional<std::string> vendor, version, extensions;
    std::uint32_t missing = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CFuzzInput input(data, size);
    const std::uint8_t mode = input.TakeByte();
    CInputGl gl;
    gl.missing = input.TakeUInt32();
    // The strings are C strings: each ends at its first NUL, as the driver's would.
    const std::string vendor = input.TakeLine(), version = input.TakeLine(), extensions = input.TakeRest();
    if (!(mode & 1))
        gl.vendor = vendor.c_str();
    if (!(mode & 2))
        gl.version = version.c_str();
    if (!(mode & 4))
        gl.extensions = extensions.c_str();

    (void)ClassifyVendor(gl.GetString(kGlVendor)); // any class; only faults count
    const GlVersionLevel level = ClassifyVersion(gl.GetString(kGlVersion));
    if (level.gl42 && !level.atLeast33)
        std::abort();
    if (gl.extensions)
        (void)ExtensionListed(*gl.extensions, version); // any answer; only faults count

    CStringLogSink sink;
    CDiagLog log(sink);
    GlEntryPoints entryPoints;
    const int loaded = LoadGlExtensions((mode & 8) != 0, gl, entryPoints, log);
    if (loaded < 0 || loaded > 2)
        std::abort();
    return 0;
}
