#include "gl_extensions.h"

namespace Zentoli {
namespace {

const char* const kMultitexture[] = {"glMultiTexCoord1f", "glMultiTexCoord2f", "glMultiTexCoord3f",
                                     "glMultiTexCoord4f"};
const char* const kBlendFuncSeparate[] = {"glBlendFuncSeparate"};
const char* const kShaderObjects[] = {"glDeleteObjectARB",
                                      "glGetHandleARB",
                                      "glDetachObjectARB",
                                      "glCreateShaderObjectARB",
                                      "glShaderSourceARB",
                                      "glCompileShaderARB",
                                      "glCreateProgramObjectARB",
                                      "glAttachObjectARB",
                                      "glLinkProgramARB",
                                      "glUseProgramObjectARB",
                                      "glValidateProgramARB",
                                      "glUniform1fARB",
                                      "glUniform2fARB",
                                      "glUniform3fARB",
                                      "glUniform4fARB",
                                      "glUniform1iARB",
                                      "glUniform2iARB",
                                      "glUniform3iARB",
                                      "glUniform4iARB",
                                      "glUniform1fvARB",
                                      "glUniform2fvARB",
                                      "glUniform3fvARB",
                                      "glUniform4fvARB",
                                      "glUniform1ivARB",
                                      "glUniform2ivARB",
                                      "glUniform3ivARB",
                                      "glUniform4ivARB",
                                      "glUniformMatrix2fvARB",
                                      "glUniformMatrix3fvARB",
                                      "glUniformMatrix4fvARB",
                                      "glGetObjectParameterfvARB",
                                      "glGetObjectParameterivARB",
                                      "glGetInfoLogARB",
                                      "glGetAttachedObjectsARB",
                                      "glGetUniformLocationARB",
                                      "glIsProgramARB",
                                      "glGetProgramivARB"};
const char* const kOcclusionQuery[] = {"glGenQueries",       "glDeleteQueries",    "glIsQuery",
                                       "glBeginQuery",       "glEndQuery",         "glGetQueryiv",
                                       "glGetQueryObjectiv", "glGetQueryObjectuiv"};
const char* const kBufferObject[] = {"glBindBuffer", "glDeleteBuffers", "glGenBuffers",
                                     "glIsBuffer",   "glBufferData",    "glBufferSubData"};
const char* const kFramebufferObject[] = {
    "glIsRenderbufferEXT",          "glBindRenderbufferEXT",
    "glDeleteRenderbuffersEXT",     "glGenRenderbuffersEXT",
    "glRenderbufferStorageEXT",     "glGetRenderbufferParameterivEXT",
    "glIsFramebufferEXT",           "glBindFramebufferEXT",
    "glDeleteFramebuffersEXT",      "glGenFramebuffersEXT",
    "glCheckFramebufferStatusEXT",  "glFramebufferTexture1DEXT",
    "glFramebufferTexture2DEXT",    "glFramebufferTexture3DEXT",
    "glFramebufferRenderbufferEXT", "glGetFramebufferAttachmentParameterivEXT",
    "glGenerateMipmapEXT"};
const char* const kFramebufferMultisample[] = {"glRenderbufferStorageMultisampleEXT"};
const char* const kFramebufferBlit[] = {"glBlitFramebufferEXT"};

const GlExtensionGroup kGroups[] = {
    {"GL_ARB_multitexture", true, kMultitexture},
    {nullptr, true, kBlendFuncSeparate},
    {"GL_ARB_shader_objects", true, kShaderObjects},
    {"GL_ARB_occlusion_query", true, kOcclusionQuery},
    {"GL_ARB_vertex_buffer_object", true, kBufferObject},
    {"GL_EXT_framebuffer_object", true, kFramebufferObject},
    {"GL_EXT_framebuffer_multisample", false, kFramebufferMultisample},
    {"GL_EXT_framebuffer_blit", false, kFramebufferBlit},
};

} // namespace

std::span<const GlExtensionGroup> GlExtensionGroups() {
    return kGroups;
}

void* GlEntryPoints::Find(std::string_view name) const {
    auto it = entries.find(name);
    return it == entries.end() ? nullptr : it->second;
}

void GlEntryPoints::Set(std::string_view name, void* address) {
    entries[std::string(name)] = address;
}

void GlEntryPoints::Clear() {
    entries.clear();
    extensions.reset();
}

bool ExtensionListed(std::string_view extensions, std::string_view name) {
    return extensions.find(name) != std::string_view::npos;
}

int LoadGlExtensions(bool list, IGlFunctions& gl, GlEntryPoints& entryPoints, CDiagLog& log) {
    const char* text = gl.GetString(kGlExtensions);
    if (text)
        entryPoints.extensions = text;
    else
        entryPoints.extensions.reset();
    const std::string_view extensions = text ? std::string_view(text) : std::string_view();
    if (text && list) {
        log.LogNarrow("\nSupported OpenGL extensions :\n-------------------------\n");
        for (std::size_t i = 0; i < extensions.size();) {
            std::size_t end = extensions.find(' ', i);
            if (end == std::string_view::npos)
                end = extensions.size();
            if (end > i)
                log.LogNarrow("%s\n", {extensions.substr(i, end - i)});
            i = end + 1;
        }
    }
    if (!text && list)
        log.LogNarrow("error : OpenGL gives no extension string !\n");
    bool requiredMissing = false;
    bool optionalMissing = false;
    for (const GlExtensionGroup& group : kGroups) {
        if (!group.extension) {
            // Resolved without an extension test; a missing one counts as a missing required group.
            for (const char* name : group.entryPoints) {
                void* address = gl.GetProcAddress(name);
                entryPoints.Set(name, address);
                if (!address)
                    requiredMissing = true;
            }
            continue;
        }
        if (ExtensionListed(extensions, group.extension)) {
            for (const char* name : group.entryPoints)
                entryPoints.Set(name, gl.GetProcAddress(name));
            continue;
        }
        if (list)
            log.LogNarrow("OpenGL extension: %s is not supported !\n", {group.extension});
        (group.required ? requiredMissing : optionalMissing) = true;
    }
    if (requiredMissing)
        return kRequiredExtensionsMissing;
    return optionalMissing ? kOptionalExtensionsMissing : kAllExtensions;
}

} // namespace Zentoli
