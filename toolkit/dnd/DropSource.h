// The source side of a drag out of the program: Escape or both buttons cancel, releasing
// the buttons drops, and the system cursors show the effect. Lives on the heap for one
// DoDragDrop call and deletes itself on its last Release.
#pragma once

#include <windows.h>
#include <ole2.h>

class DropSource : public IDropSource, public IDropSourceNotify {
public:
    DropSource() = default;
    DropSource(const DropSource&) = delete;
    DropSource& operator=(const DropSource&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escapePressed, DWORD keyState) override;
    HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override;

    HRESULT STDMETHODCALLTYPE DragEnterTarget(HWND target) override;
    HRESULT STDMETHODCALLTYPE DragLeaveTarget() override;

protected:
    virtual ~DropSource() = default;

private:
    LONG mReferences = 1;
};
