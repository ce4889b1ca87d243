// Feeds any typed name to the save-name rules: an accepted name must stay inside its folder.
#include "storage/save_name.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString typed
        = QString::fromUtf8(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const save_name::Problem problem = save_name::check(typed);
    if (problem != save_name::Problem::None) {
        if (save_name::message(problem, typed).isEmpty())
            std::abort();
        return 0;
    }
    const QString target = save_name::targetFileName(typed);
    const QString base = save_name::baseName(typed);
    if (base.isEmpty() || target != base + QStringLiteral(".txt"))
        std::abort();
    if (target.contains(QLatin1Char('/')) || target.contains(QLatin1Char('\\'))
        || base == QLatin1String("..") || base.toUtf8().size() > save_name::maxBaseNameBytes)
        std::abort();
    return 0;
}
