// Fuzzes the stored-shape reader: any block either gives nullopt or a region, never a
// crash or a read outside the block; a region that reads back is non-empty and survives
// a round trip through write and read unchanged.
#include "widgets/RegionData.h"

#include <QByteArray>
#include <QRegion>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "RegionData: %s\n", what);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    if (size > 64 * 1024)
        return -1;
    // A copy of exactly `size` bytes, so that ASan sees any read past the block's end.
    const QByteArray block(reinterpret_cast<const char *>(data), qsizetype(size));
    const std::optional<QRegion> region = RegionData::read(block);
    if (!region)
        return 0;
    if (region->isEmpty())
        fail("a block read back as an empty region instead of nullopt");

    const QByteArray written = RegionData::write(*region);
    const std::optional<QRegion> again = RegionData::read(written);
    if (!again)
        fail("the written block of a region does not read back");
    if (*again != *region)
        fail("the region changed on its way through write and read");
    if (RegionData::write(*again) != written)
        fail("writing the same region twice gave different blocks");
    return 0;
}
