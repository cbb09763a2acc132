#pragma once
// The window framework. Every screen is one Form subclass. A form exists at
// most once: Forms::get<T>() creates it on first touch and runs its load
// handler before returning; a form that closes itself (Unload) runs its unload
// handler, disappears and releases its instance, so the next touch loads it
// afresh.

#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

class Form : public QWidget {
    Q_OBJECT
public:
    enum class Kind { TopLevel, Dialog, ToolDialog };

    ~Form() override;

    // Modeless: for the work windows (login, menu, year chooser, slip form ...).
    void Show();
    // Modal over the caller; returns when the form has closed.
    void ShowModal();
    // Closes the form and releases its instance (unload handler first).
    void Unload();
    bool isUnloaded() const { return unloaded_; }

    // Positions and sizes as the Windows program gave them, in twips.
    static int tw(int twips) { return twips >= 0 ? (twips * 2 + 15) / 30 : -((-twips * 2 + 15) / 30); }
    void setClientSizeTwips(int width, int height);
    // Puts the window in the middle of the screen.
    void centreOnScreen();
    // The window's background colour (&HBBGGRR).
    void setBackColor(unsigned int vb);
    static void place(QWidget* w, int left, int top, int width, int height);
    // The pressed look of a picture button: while a mouse button is held it
    // stands 20 twips right of and below its resting position (in twips).
    static constexpr int kPressShift = 20;
    static void showPressed(QWidget* w, int restLeft, int restTop, bool pressed) {
        const int shift = pressed ? kPressShift : 0;
        w->move(tw(restLeft + shift), tw(restTop + shift));
    }

signals:
    void finished();

protected:
    explicit Form(Kind kind);
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    void closeEvent(QCloseEvent* event) override;

private:
    friend class Forms;
    void load();

    bool unloaded_ = false;
    bool loading_ = false;
};

class Forms {
public:
    // The single instance of F: created and loaded on first touch.
    template <class F>
    static F& get() {
        QPointer<F>& slot = instance<F>();
        if (!slot || slot->isUnloaded()) {
            F* form = new F();
            slot = form;
            form->load();
        }
        return *slot;
    }

    // True while F is loaded (touching it would not create it).
    template <class F>
    static bool isLoaded() {
        QPointer<F>& slot = instance<F>();
        return slot && !slot->isUnloaded();
    }

    // The live instance of F, or nullptr; does not create it.
    template <class F>
    static F* existing() {
        QPointer<F>& slot = instance<F>();
        return slot && !slot->isUnloaded() ? slot.data() : nullptr;
    }

    // Destroys every form at once (program end, test tear-down).
    static void destroyAll();

private:
    template <class F>
    static QPointer<F>& instance() {
        static QPointer<F> slot;
        return slot;
    }
};
