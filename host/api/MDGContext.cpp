#include <maya/MDGContext.h>

MDGContext MDGContext::fsNormal;

bool MDGContext::isNormal(MStatus* status) const {
    MSetStatus(status, MStatus::kSuccess);
    return !timed_;
}

MStatus MDGContext::getTime(MTime& when) const {
    if (!timed_) return MStatus::kFailure;
    when = time_;
    return MStatus::kSuccess;
}
