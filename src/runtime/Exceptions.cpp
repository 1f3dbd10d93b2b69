#include "runtime/Exceptions.h"

#include <dlfcn.h>

namespace {

// The offset of a code address from the start of the module (executable or library) holding it.
quintptr moduleOffset(void *codeAddress)
{
    Dl_info info{};
    if (dladdr(codeAddress, &info) && info.dli_fbase)
        return quintptr(codeAddress) - quintptr(info.dli_fbase);
    return quintptr(codeAddress);
}

} // namespace

Exception::Exception(QString message)
    : m_message(std::move(message))
    , m_utf8(m_message.toUtf8())
    , m_address(moduleOffset(__builtin_return_address(0)))
{
}
