#include "playback/statefile.h"

#include "platform/atomicfile.h"
#include "platform/codepage.h"

void WriteStateFile(const TStateFileOptions &options, const QString &caption)
{
    // The options dialog allows switching the file on without naming it: there is nowhere to
    // write then, and that is not worth an error at every refresh.
    if (!options.HasLogFile || options.LogFileName.isEmpty())
        return;
    const QByteArray line = options.OEMLogFile ? EncodeCp866(caption) : EncodeCp1251(caption);
    WriteFileInPlace(options.LogFileName, line);
}
