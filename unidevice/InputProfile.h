#pragma once

#include "util/xml/Element.h"

#include <string>

namespace vex::unidevice {

class PropertyHandler;

/// Input profiles: the shaping parameters and bindings of a set of input channels as XML.
///
///     <profile name="Pad">
///         <property name="Steer">
///             <multiplier>1</multiplier><exponent>1</exponent><deadzone>0.1</deadzone><offset>0</offset>
///             <control device="Wheel" type="Axis" index="0"><description>X</description></control>
///         </property>
///         ...
///     </profile>
///
/// A profile may also come wrapped in an "inputprofile" element (the form an instance's saved
/// description uses), whose first "profile" child then is the profile, or the wrapper itself when
/// it has none.
class InputProfile {
public:
    /// Answered by Load for an element that is not a profile.
    static constexpr int kNotAProfile = 9999999;

    /// Applies the profile in `element` to `channels`. An element not named "inputprofile" or
    /// "profile" changes nothing and answers kNotAProfile. Otherwise every channel is unbound, the
    /// profile's "name" (when it has one) is stored in `profileName`, and each "property" child is
    /// read into the channel of its name (unknown names are skipped): its parameters, and its
    /// binding through the device registry. Answers the number of bindings that could not be found;
    /// those channels stay unbound and keep the binding to write it back.
    static int Load(PropertyHandler& channels, const util::xml::Element& element, std::string& profileName);

    /// The profile of `channels` named `name`: a "profile" element with one "property" child per
    /// channel, in channel order, each holding the bound control or else the kept binding.
    static util::xml::Element Save(const PropertyHandler& channels, const std::string& name);
};

} // namespace vex::unidevice
