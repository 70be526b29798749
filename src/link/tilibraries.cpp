#include "tilibraries.h"

#include <mutex>

namespace tilink {

void initLibraries()
{
    static std::once_flag once;
    std::call_once(once, [] {
        const auto quiet = [](const gchar *, GLogLevelFlags, const gchar *, gpointer) {};
        for (const char *domain : {"ticables", "tifiles", "ticalcs", "ticonv"})
            g_log_set_handler(domain, GLogLevelFlags(G_LOG_LEVEL_MASK | G_LOG_FLAG_FATAL | G_LOG_FLAG_RECURSION),
                              quiet, nullptr);
        ticables_library_init();
        tifiles_library_init();
        ticalcs_library_init();
    });
}

} // namespace tilink
