#include "common/FormOwner.h"

#include <vector>

namespace Application {
namespace {
std::vector<QPointer<QWidget>>& ownedForms()
{
    static std::vector<QPointer<QWidget>> forms;
    return forms;
}
} // namespace

void adopt(QWidget* form)
{
    ownedForms().emplace_back(form);
}

void releaseForms()
{
    auto& forms = ownedForms();
    while (!forms.empty()) {
        delete forms.back().data();
        forms.pop_back();
    }
}

} // namespace Application
