#include "plans/PlanCreation.h"

#include <climits>

namespace kx::plans {

PlanCreation::PlanCreation(long number, PlanFamily family)
    : m_numberText(number > 0 ? std::to_string(number) : std::string()),
      m_family(family)
{}

bool PlanCreation::setNumberText(std::string_view digits)
{
    for (char c : digits)
        if (c < '0' || c > '9')
            return false;
    m_numberText = digits;
    return true;
}

long NumberOfDigits(std::string_view digits)
{
    long value = 0;
    for (char c : digits) {
        if (value > (LONG_MAX - (c - '0')) / 10)
            return LONG_MAX;
        value = value * 10 + (c - '0');
    }
    return value;
}

long PlanCreation::number() const
{
    return NumberOfDigits(m_numberText);
}

bool PlanCreation::ok()
{
    return CreatePlanFiles(number(), m_family, m_what);
}

}  // namespace kx::plans
