#include "base/UtilityActions.h"

namespace UtilityActions {

Handlers& handlers()
{
    static Handlers h;
    return h;
}

} // namespace UtilityActions
