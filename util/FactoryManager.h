#pragma once

#include "util/Singleton.h"

#include <string>
#include <string_view>
#include <vector>

namespace vex::util {

/// Base of a product class `T` whose objects are made by named factories of type `T::Factory`, held by
/// one process-wide manager (created on first use). A factory offers `name()` and `destroy()`; the
/// manager owns the factories it keeps and destroys them, last registered first, when it ends.
///
/// The defaulted template parameters only delay naming `T::Factory` until `T` is complete; leave them.
template <typename T>
class FactoryManager {
public:
    /// Hands `factory` to the manager. When a factory of the same name is registered already,
    /// `factory` is destroyed instead (the first registration wins). Returns whether it was kept.
    template <typename Product = T>
    static bool RegisterFactory(typename Product::Factory* factory) {
        if (factory == nullptr) return false;
        if (FindFactory<Product>(factory->name()) != nullptr) {
            factory->destroy();
            return false;
        }
        Registry::Instance().factories.push_back(factory);
        return true;
    }

    /// The first registered factory whose name equals `name` exactly, or null.
    template <typename Product = T>
    static typename Product::Factory* FindFactory(std::string_view name) {
        for (auto* factory : Registry::Instance().factories)
            if (factory->name() == name) return factory;
        return nullptr;
    }

    /// The names of the registered factories, in registration order.
    static std::vector<std::string> FactoryNames() {
        std::vector<std::string> names;
        for (const auto* factory : Registry::Instance().factories) names.emplace_back(factory->name());
        return names;
    }

protected:
    FactoryManager() = default;
    ~FactoryManager() = default;

private:
    struct Registry : Singleton<Registry> {
        ~Registry() {
            while (!factories.empty()) {
                factories.back()->destroy();
                factories.pop_back();
            }
        }
        std::vector<typename T::Factory*> factories;
    };
};

} // namespace vex::util
