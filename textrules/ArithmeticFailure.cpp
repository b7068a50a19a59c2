#include "textrules/ArithmeticFailure.h"

namespace textrules {

namespace {
const char* describe(FailureKind kind)
{
    return kind == FailureKind::Overflow ? "overflow" : "division by zero";
}
} // namespace

ArithmeticFailure::ArithmeticFailure(FailureKind kind) : std::runtime_error(describe(kind)), m_kind(kind) {}

} // namespace textrules
