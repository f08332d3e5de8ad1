#pragma once

#include "util/FactoryManager.h"
#include "util/xml/Element.h"

#include <string>
#include <string_view>
#include <vector>

namespace vex::util {

/// A family of named factories that make objects of type `T` from XML elements. The factories live
/// in the process-wide FactoryManager registry of this family: the first registration of a name
/// wins, a later factory of the same name is refused and destroyed.
template <typename T>
class AbstractFactory : public FactoryManager<AbstractFactory<T>> {
public:
    /// One kind of product: reports the element name it answers to and makes objects from elements.
    class Factory {
    public:
        virtual ~Factory() = default;
        /// The element name this factory answers to.
        virtual std::string name() const = 0;
        /// Whether this factory makes `element`: by default its name equals name() exactly.
        virtual bool Accepts(const xml::Element& element) const {
            return std::string_view(element.GetName()) == name();
        }
        /// A new object for `element`, owned by the caller; null when it cannot make one.
        virtual T* create(const xml::Element& element) = 0;
        /// Ends the factory; the registry calls this instead of deleting it.
        virtual void destroy() { delete this; }
    };

    /// The object made by the first registered factory that accepts `element`; null when none does.
    static T* Create(const xml::Element& element) {
        Factory* factory = FindAccepting(element);
        return factory != nullptr ? factory->create(element) : nullptr;
    }

    /// The first registered factory, in registration order, that accepts `element`; null when none.
    static Factory* FindAccepting(const xml::Element& element) {
        using Manager = FactoryManager<AbstractFactory<T>>;
        for (const std::string& name : Manager::FactoryNames()) {
            Factory* factory = Manager::FindFactory(name);
            if (factory != nullptr && factory->Accepts(element)) return factory;
        }
        return nullptr;
    }

private:
    AbstractFactory() = default;
};

} // namespace vex::util
