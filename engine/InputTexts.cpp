#include "InputTexts.h"

InputTexts InputTexts::from(const BoxText& boxText)
{
    InputTexts texts;
    for (const inputboxes::Entry& entry : inputboxes::all())
        texts[entry.box] = boxText(QString::fromLatin1(entry.name));
    return texts;
}
