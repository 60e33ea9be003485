#include "vbs/lib/libraries.h"

namespace tabulo::vbs {

// Each file of builtins in this folder declares its Library in libraries.h and gets
// one line here. The order only matters for names defined twice: the first wins.
std::span<const Library> libLibraries()
{
    static const Library libraries[] = {
        stringLibrary(),
        stringSearchLibrary(),
        characterLibrary(),
        escapeLibrary(),
        splitJoinLibrary(),
        mathLibrary(),
        numberLibrary(),
        dateLibrary(),
        dateConstructionLibrary(),
        dateArithmeticLibrary(),
        formatLibrary(),
        dictionaryLibrary(),
        regExpLibrary(),
        Library {},
    };
    return {libraries, std::size(libraries) - 1};
}

} // namespace tabulo::vbs
