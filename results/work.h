#pragma once

namespace vorlant {
// TWork, the text utilities of the results store, arrive with the store.
} // namespace vorlant
