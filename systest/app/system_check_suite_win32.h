#pragma once
// The checks of the run, on this machine.
#include <memory>

#include "check_suite.h"
#include "text_source.h"
#include "product_identity.h"

namespace Velkora {

std::unique_ptr<ICheckSuite> CreateSystemCheckSuite(const ITextSource& texts, const ProductIdentity& identity);

} // namespace Velkora
