#pragma once
// The pack's owning object list: it frees its items when they are removed, when it is
// cleared and when it is destroyed; and the holder of an object made on first access. Indexes are 0-based; an index
// outside the list raises std::out_of_range with the list's index text.
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace platform {

// The text of the index error of every list.
inline std::string TextoIndiceForaDosLimites(long long Index) {
  return "Índice da lista fora dos limites (" + std::to_string(Index) + ")";
}

template <class T>
class TTrivoObjectList {
 public:
  TTrivoObjectList() = default;
  TTrivoObjectList(const TTrivoObjectList&) = delete;
  TTrivoObjectList& operator=(const TTrivoObjectList&) = delete;
  virtual ~TTrivoObjectList() = default;

  // Makes an item with the arguments, appends it and returns it.
  template <class... Args>
  T& New(Args&&... args) {
    FItems.push_back(std::make_unique<T>(std::forward<Args>(args)...));
    return *FItems.back();
  }
  // Makes an item with the arguments and puts it at Index (0 to Count()), the later ones after it.
  template <class... Args>
  T& Insert(int Index, Args&&... args) {
    if (Index < 0 || Index > Count()) throw std::out_of_range(TextoIndiceForaDosLimites(Index));
    auto at = FItems.insert(FItems.begin() + Index, std::make_unique<T>(std::forward<Args>(args)...));
    return **at;
  }
  T& GetItem(int Index) const { return *FItems[Checked(Index)]; }
  // The list takes the item; the one it replaces is freed. A list never holds a null item.
  void SetItem(int Index, std::unique_ptr<T> Value) {
    if (!Value) throw std::invalid_argument("Item nulo não pode ser posto na lista");
    FItems[Checked(Index)] = std::move(Value);
  }
  int Count() const { return static_cast<int>(FItems.size()); }
  void Clear() { FItems.clear(); }
  void Delete(int Index) { FItems.erase(FItems.begin() + static_cast<std::ptrdiff_t>(Checked(Index))); }
  // Exchanges the items of the two lists; the items themselves stay where they are.
  void Swap(TTrivoObjectList& Outra) noexcept { FItems.swap(Outra.FItems); }

 private:
  std::size_t Checked(int Index) const {
    if (Index < 0 || Index >= Count()) throw std::out_of_range(TextoIndiceForaDosLimites(Index));
    return static_cast<std::size_t>(Index);
  }
  std::vector<std::unique_ptr<T>> FItems;
};

// An owned object made on its first access: the holder of an optional group.
template <class T>
class TObjetoOpcional {
 public:
  T& Obter() {
    if (!FObjeto) FObjeto = std::make_unique<T>();
    return *FObjeto;
  }
  bool Existe() const { return FObjeto != nullptr; }

 private:
  std::unique_ptr<T> FObjeto;
};

}  // namespace platform
