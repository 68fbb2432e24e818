// Ownership: an owner destroys what it owns. Separate from parenthood, which
// decides where a control shows (see TControl).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace forms {

class TObject {
public:
    virtual ~TObject() = default;
};

class TComponent : public TObject {
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(index); }

    std::string Name;
    std::int32_t Tag = 0;

protected:
    // Frees every owned component, the last created first. Derived classes
    // whose members the owned ones may still reach call it in their own
    // destructor, before those members go.
    void DestroyComponents();

private:
    TComponent* owner_;
    std::vector<TComponent*> components_;
};

}  // namespace forms
