#include "shell/tools.h"

#include "junk/junk_form.h"
#include "regclean/regclean_form.h"
#include "shell/nav_form.h"
#include "shell/program.h"

namespace sv {

void InstallTools() {
    NavigatorTools& nav = navigatorTools();
    nav.junk = OpenJunkCleaner;
    nav.reg = OpenRegistryCleaner;
}

}  // namespace sv
