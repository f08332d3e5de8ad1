#pragma once

#include "system/adaptors/memory/HostObject.h"
#include "system/adaptors/memory/KeyedValue.h"
#include "system/adaptors/memory/MemoryAdaptor.h"

#include <cstddef>
#include <memory>
#include <utility>
#include <vector>

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
    // The first key of a group into this channel records the channel's keys as they were; undo puts
    // them back (keeping the keys it takes away for redo), so a take of many keys costs one unit.
    const auto place = static_cast<std::size_t>(reinterpret_cast<const char*>(&target) -
                                                reinterpret_cast<const char*>(object));
    if (adaptor.TakeFirstKeyOfGroup(id, place)) {
        struct Keys {
            std::vector<typename KeyedValue<T>::Key> before, after;
        };
        auto keys = std::make_shared<Keys>();
        keys->before = target.GetKeys();
        adaptor.RecordEdit(
            [&scene, id, channel, keys] {
                if (HostObject* o = scene.Find(id)) {
                    keys->after = (o->*channel).GetKeys();
                    (o->*channel).SetKeys(keys->before);
                }
            },
            [&scene, id, channel, keys] {
                if (HostObject* o = scene.Find(id)) (o->*channel).SetKeys(std::move(keys->after));
            });
    }
    target.SetKey(t, value);
}

} // namespace vex::orb::adaptor::memory::edits
