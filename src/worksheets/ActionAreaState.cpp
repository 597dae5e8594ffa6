#include "worksheets/ActionAreaState.h"

#include "catalog/ReferenceTexts.h"
#include "catalog/SafeguardCatalog.h"

int ActionAreaState::entryNumber() const
{
    if (viewCode == SampleView)
        return ReferenceTexts::kSampleEntryNumber;
    if (!isCatalogView())
        return -1;
    return SafeguardCatalog::entryNumber(viewCode, entryIndex);
}
