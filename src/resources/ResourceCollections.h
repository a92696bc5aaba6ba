#pragma once

namespace Resources {

// Registers the compiled-in image and translation collections; a static library's resources are not
// registered on their own. Call once after the application object exists.
void registerCollections();

} // namespace Resources
