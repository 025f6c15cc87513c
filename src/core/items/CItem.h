#pragma once

#include <memory>
#include <string>
#include <string_view>

class CArchive;
class CChildNameIndex;
class CItem;
class CStatusProgress;
class CTreeItem;

// The place of a child in its parent's child list. It stays valid while that child stays
// in the list, whatever happens to its siblings.
class POSITION {
public:
    POSITION() = default;
    explicit operator bool() const { return m_item != nullptr; }
    bool operator==(const POSITION&) const = default;

private:
    friend class CItem;
    explicit POSITION(CItem* item) : m_item(item) {}
    CItem* m_item = nullptr;
};

// Base of everything a document holds: a kind, a name, an owning parent, ordered children,
// sort keys, the line-oriented serialization of the item and its subtree, and its text.
class CItem {
public:
    // The default name is the string-table text with that id.
    CItem(unsigned defaultNameId, int kind);
    // For records whose name comes from a file: kind 0.
    explicit CItem(const std::string& name);
    virtual ~CItem();
    CItem(const CItem&) = delete;
    CItem& operator=(const CItem&) = delete;

    virtual bool Serialize(CArchive& ar, CStatusProgress* progress);
    virtual int GetMinFileVersion() const;
    virtual int GetFileVersion() const;
    virtual bool IsFileVersionSupported(int version) const;
    virtual void WriteFields();
    virtual void ReadField(long kind, int code, std::string_view text);
    virtual CItem* GetParent() const;
    // The item as a tree item, or null: cheaper than a dynamic_cast along a long list.
    virtual CTreeItem* AsTreeItem();
    virtual std::string GetName() const;
    virtual int GetKind() const;
    virtual int GetIndex() const;
    virtual long GetSortKey() const;
    virtual long GetSortKey2() const;
    virtual bool IsSortingChildren() const;
    virtual void SetParent(CItem* parent);
    virtual void SetName(unsigned stringId);
    virtual void SetName(const std::string& name);
    virtual void SetKind(int kind);
    virtual void SetSortKey(long key);
    virtual void SetSortKey2(long key);
    virtual void SetSortingChildren(bool sorting);
    virtual void OnChildChanged();
    virtual void AppendTo(CItem* parent, bool link);
    virtual void InsertInto(CItem* parent, int index, bool link);
    virtual void Detach();
    virtual void MoveTo(CItem* parent, int index);
    virtual void GetHeadChildPosition(POSITION& pos) const;
    virtual void GetTailChildPosition(POSITION& pos) const;
    virtual CItem* GetNextChild(POSITION& pos) const;
    virtual CItem* GetPrevChild(POSITION& pos) const;
    virtual CItem* GetChildAt(int index) const;
    virtual CItem* FindChild(const std::string& name) const;
    virtual CItem* FindKind(int kind, bool skipSelf);
    // Shows the item's window; true when the document changed. Only some kinds open.
    virtual bool Open();
    // Appends the item's plain text; false when the kind has none. topLevel is true for the
    // item the user copied, false when a parent asks each child in turn.
    virtual bool GetText(std::string& text, bool topLevel);
    virtual void AppendText(std::string& text);

    // Writes a field line (or one line per piece of a multi-line value) of this item's kind.
    // a and b are written ahead of the value only when not negative, b only with a.
    void WriteLine(int code, std::string_view value, int a = -1, int b = -1);
    void WriteLine(int code, long value, int a = -1, int b = -1);
    // Takes the text up to the first "," off rest (all of rest when it has none).
    static std::string_view NextToken(std::string_view& rest);
    // The item's text on the clipboard; false when it has none or the clipboard refuses.
    bool CopyToClipboard();

    int GetChildCount() const { return m_childCount; }
    // How many children other than except carry exactly this name (byte-wise).
    int CountChildrenNamed(const std::string& name, const CItem* except) const;
    // Lowest n >= 2 for which "base (n)" may still be free among the children.
    int FirstFreeSuffix(const std::string& base) const;
    void NoteSuffixTaken(const std::string& base, int suffix);
    // Whether no two children share a name and none has an empty one.
    bool HasDistinctChildNames() const;

protected:
    // The archive and progress of the load or save under way; null outside one.
    CArchive* GetArchive() const { return m_archive; }
    CStatusProgress* GetProgress() const { return m_progress; }
    // From ReadField, for the record whose opening line it was given: true, with the record
    // read past, when the record's closing line comes next, so that an item need not be
    // made to read nothing. False, with nothing read, otherwise.
    bool TakeEmptyRecord();

private:
    bool ReadItem(CArchive& ar);
    void WriteItem();
    void LinkBefore(CItem* child, CItem* next);
    void Unlink(CItem* child);
    CChildNameIndex& NameIndex() const;

    CArchive* m_archive = nullptr;
    CStatusProgress* m_progress = nullptr;
    CItem* m_parent = nullptr;
    std::string m_name;
    long m_sortKey = 0;
    long m_sortKey2 = 0;

    // The child list, linked through the children themselves.
    CItem* m_listOwner = nullptr;  // the item whose child list holds this one
    CItem* m_firstChild = nullptr;
    CItem* m_lastChild = nullptr;
    CItem* m_prevSibling = nullptr;
    CItem* m_nextSibling = nullptr;
    // Made on the first name question and kept up to date from then on.
    mutable std::unique_ptr<CChildNameIndex> m_nameIndex;
    // The small fields together, so that a document of many items spends no padding on them.
    int m_kind = 0;
    int m_childCount = 0;
    bool m_sortingChildren = true;
};
