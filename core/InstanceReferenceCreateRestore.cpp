#include "core/InstanceReferenceCreateRestore.h"

#include "core/CoreImplementation.h"
#include "core/CoreStartup.h"
#include "core/Instance.h"
#include "core/InstanceReference.h"

namespace vex::orb::core {

InstanceReferenceCreateRestore::InstanceReferenceCreateRestore(std::string parentName, std::size_t index,
                                                               util::xml::Element description)
    : parentName_(std::move(parentName)), index_(index), description_(std::move(description)) {
    if (const util::xml::Element* name = description_.GetChild("name")) name_ = name->GetText();
}

void InstanceReferenceCreateRestore::Remove() {
    CoreImplementation* core = FindCore();
    if (core == nullptr) return;
    core->RemoveQuietly(name_);
    core->MainDlg::Refresh();
}

void InstanceReferenceCreateRestore::Make() {
    CoreImplementation* core = FindCore();
    if (core == nullptr || core->InstanceManager::FindInstance(name_) != nullptr) return;
    core->CreateInstances(description_, core->FindParent(parentName_), index_);
    core->MainDlg::Refresh();
}

} // namespace vex::orb::core
