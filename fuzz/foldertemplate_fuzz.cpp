// Folder templates on arbitrary text: a template and a folder name, split at the first NUL.
#include "library/foldertemplate.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype split = text.indexOf(QChar(0));
    const QString templateText = split < 0 ? text : text.first(split);
    const QString name = split < 0 ? QString() : text.sliced(split + 1);
    for (const TTemplateKind kind : {TTemplateKind::Artist, TTemplateKind::Album}) {
        try {
            const TFolderTemplate elements = ParseFolderTemplate(templateText, kind);
            for (const char16_t letter : {u'I', u'A', u'Y'}) {
                try {
                    const QString field = ExtractTemplateField(elements, name, letter);
                    if (field.size() > name.size() && field != NoTemplateValue)
                        __builtin_trap(); // a field is cut from the name, never longer
                } catch (const ETemplateError &) {
                }
            }
        } catch (const ETemplateError &) {
        }
    }
    return 0;
}
