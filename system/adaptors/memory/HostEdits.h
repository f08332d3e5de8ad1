#pragma once

#include "system/adaptors/memory/HostObject.h"
#include "system/adaptors/memory/KeyedValue.h"
#include "system/adaptors/memory/MemoryAdaptor.h"

#include <optional>

// Undoable edits of one field of a host object: the edit is made at once and, while an undo group
// records, recorded with the value it replaced.
namespace vex::orb::adaptor::memory::edits {

/// Sets `field` of object `id` to `value`.
template <class F>
void SetField(MemoryAdaptor& adaptor, ObjectId id, F HostObject::*field, const F& value) {
    MemoryScene& scene = adaptor.GetScene();
    HostObject* object = scene.Find(id);
    if (!object) return;
    F before = object->*field;
    object->*field = value;
    adaptor.RecordEdit([&scene, id, field, before] { scene.Find(id)->*field = before; },
                       [&scene, id, field, value] { scene.Find(id)->*field = value; });
}

/// Sets `channel` of object `id`: the key at time `t` when `key`, else the static value.
template <class T>
void WriteChannel(MemoryAdaptor& adaptor, ObjectId id, KeyedValue<T> HostObject::*channel, double t,
                  const T& value, bool key) {
    MemoryScene& scene = adaptor.GetScene();
    HostObject* object = scene.Find(id);
    if (!object) return;
    KeyedValue<T>& target = object->*channel;
    if (!key) {
        const T before = target.GetStatic();
        target.SetStatic(value);
        adaptor.RecordEdit([&scene, id, channel, before] { (scene.Find(id)->*channel).SetStatic(before); },
                           [&scene, id, channel, value] { (scene.Find(id)->*channel).SetStatic(value); });
        return;
    }
    const std::optional<T> before = target.KeyAt(t);
    target.SetKey(t, value);
    adaptor.RecordEdit(
        [&scene, id, channel, t, before] {
            KeyedValue<T>& c = scene.Find(id)->*channel;
            if (before) {
                c.SetKey(t, *before);
            } else {
                c.RemoveKeyAt(t);
            }
        },
        [&scene, id, channel, t, value] { (scene.Find(id)->*channel).SetKey(t, value); });
}

} // namespace vex::orb::adaptor::memory::edits
