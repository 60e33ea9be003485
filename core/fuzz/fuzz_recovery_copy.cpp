// libFuzzer harness of the recovery copy's reader: any bytes as a copy left
// in the Data folder. A copy it accepts holds exactly the text its header
// counts, and writes back to a copy that reads as the same; anything else
// is refused, never half taken.

#include "core/fuzz/fuzz_checks.h"
#include "core/recovery/recovery_copy.h"

using namespace tabulo;
using tabulo::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = fuzz::bytesOf(data, size);
    const std::optional<RecoveryCopy> copy = RecoveryCopy::parse(bytes);
    if (!copy)
        return 0;
    require(bytes.startsWith("Tabulo recovery copy 1\r\n"), "an accepted copy has the format's first line");
    require(bytes.endsWith(copy->text.toUtf8()), "the text is the bytes counted, as they are");
    const QByteArray written = copy->format();
    require(RecoveryCopy::parse(written) == copy, "a copy written again reads back the same");
    require(RecoveryCopy::parse(written.chopped(written.size() > 0 ? 1 : 0)) != copy || copy->text.isEmpty(),
        "a copy cut short is refused");
    return 0;
}
