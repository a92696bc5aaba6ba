#include "resources/ResourceCollections.h"

#include <QtGlobal>

// Q_INIT_RESOURCE declares its function where it is used, so it must not stand in a namespace.
static void initCollections()
{
    Q_INIT_RESOURCE(ImageWidget);
    Q_INIT_RESOURCE(ImageSymbol);
    Q_INIT_RESOURCE(ImageGraphic);
    Q_INIT_RESOURCE(AisConfiguration);
    Q_INIT_RESOURCE(Translations);
}

namespace Resources {

void registerCollections()
{
    initCollections();
}

} // namespace Resources
