// The OLE drop-target part of a window: checks which clipboard formats a drag offers,
// sets the drop effect, collects dropped file paths and hands them to the window through
// virtual operations. It lives as a plain member or base of its window, never on the heap
// on its own: the reference count is kept for OLE but never deletes the object.
#pragma once

#include <windows.h>
#include <ole2.h>
#include <shlobj.h>

#include <map>
#include <string>
#include <vector>

class DropTarget : public IDropTarget {
public:
    DropTarget() = default;
    DropTarget(const DropTarget&) = delete;
    DropTarget& operator=(const DropTarget&) = delete;

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDropTarget
    HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragOver(DWORD keyState, POINTL point, DWORD* effect) override;
    HRESULT STDMETHODCALLTYPE DragLeave() override;
    HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keyState, POINTL point, DWORD* effect) override;

    virtual ~DropTarget();
    // Hooks for the window; coordinates are screen coordinates.
    virtual HRESULT onDrop(int x, int y, IDataObject* data, DWORD* effect);
    virtual void onDragEnter();
    virtual void onDragLeave();
    virtual void onDragOver(DWORD keyState, int x, int y, DWORD* effect);
    virtual bool onDropFiles(const std::vector<std::wstring>& paths);

    // Revokes any earlier registration, then registers the window with OLE.
    void registerDropTarget(HWND window);
    void revoke();
    void addFormat(CLIPFORMAT format);
    bool acceptsFormat(CLIPFORMAT format) const;

    LONG getReferenceCount() const { return mReferences; }
    HWND getRegisteredWindow() const { return mWindow; }

private:
    bool offers(CLIPFORMAT format) const;
    void checkFormats(IDataObject* data);

    LONG mReferences = 0;
    IDropTargetHelper* mDragImage = nullptr;
    HWND mWindow = nullptr;
    bool mAccepts = false;
    // Accepted formats, each with whether the current drag offers it.
    std::map<CLIPFORMAT, bool> mFormats;
};

// Reads every path of a CF_HDROP data object in drop order, each at its full length.
// The medium is released before returning; an object without paths gives none.
std::vector<std::wstring> readDroppedPaths(IDataObject* data);
