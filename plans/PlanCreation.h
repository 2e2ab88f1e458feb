#pragma once
// "Create plan" without widgets: the plan number (digits only), what to
// create (both files each time the dialog opens) and the family the
// caller chose. OK creates the files; the dialog stays open on a refusal.

#include "plans/PlanFiles.h"

#include <string>
#include <string_view>

namespace kx::plans {

// The number a text of digits stands for (0 when empty); one too long for
// a long reads as the largest, which lies outside every plan range.
long NumberOfDigits(std::string_view digits);

class PlanCreation {
public:
    PlanCreation(long number, PlanFamily family);

    PlanFamily family() const { return m_family; }

    // The number as typed; only digits are taken (false otherwise, the
    // text stays). An empty text is the number 0.
    const std::string& numberText() const { return m_numberText; }
    bool setNumberText(std::string_view digits);
    // The number the text stands for; a number too long for a long reads
    // as the largest one, which lies outside every plan range.
    long number() const;

    PlanParts what() const { return m_what; }
    void setWhat(PlanParts what) { m_what = what; }

    // Creates the files (messages shown on a refusal); true when done.
    bool ok();

private:
    std::string m_numberText;
    PlanFamily m_family;
    PlanParts m_what = PlanParts::Both;
};

}  // namespace kx::plans
