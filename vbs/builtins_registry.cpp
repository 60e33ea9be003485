#include <vector>

#include "vbs/builtins.h"
#include "vbs/core_builtins.h"
#include "vbs/lib/libraries.h"

namespace tabulo::vbs {

std::span<const Library> allLibraries()
{
    // Built once and never changed: a table, not shared mutable state.
    static const std::vector<Library> libraries = [] {
        std::vector<Library> all {coreConversionLibrary(), coreTypeInfoLibrary(), coreArrayLibrary(),
            coreInteractionLibrary(), coreConstantLibrary()};
        for (const Library &l : libLibraries())
            all.push_back(l);
        return all;
    }();
    return libraries;
}

} // namespace tabulo::vbs
