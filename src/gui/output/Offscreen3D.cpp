// An OpenGL context without a display, and the 3-D picture drawn in it.
#include "gui/output/Offscreen3D.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glext.h>

#include <stdexcept>

#include "gui/output/Szene3DZeichnen.h"

namespace trm::gui {

namespace {

const char* const kKeinKontext = "Für die 3D-Ansicht ließ sich kein OpenGL-Kontext anlegen.";

template <class F>
F Funktion(const char* name) {
  auto* f = reinterpret_cast<F>(eglGetProcAddress(name));
  if (f == nullptr) throw std::runtime_error(kKeinKontext);
  return f;
}

/// The EGL display, initialised once for the process and never terminated: terminating it
/// unloads the driver while its render threads may still be ending. Mesa's platform without
/// a surface needs no display; other drivers offer their default one.
EGLDisplay Anzeige() {
  static const EGLDisplay anzeige = [] {
    auto plattform = reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
    EGLDisplay d = plattform ? plattform(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr) : EGL_NO_DISPLAY;
    if (d != EGL_NO_DISPLAY && eglInitialize(d, nullptr, nullptr)) return d;
    d = eglGetDisplay(EGL_DEFAULT_DISPLAY);
    if (d != EGL_NO_DISPLAY && eglInitialize(d, nullptr, nullptr)) return d;
    return EGL_NO_DISPLAY;
  }();
  return anzeige;
}

/// A current desktop OpenGL context without a surface, released at the end of its scope.
class Kontext {
 public:
  Kontext() : anzeige_(Anzeige()) {
    if (anzeige_ == EGL_NO_DISPLAY || !eglBindAPI(EGL_OPENGL_API)) throw std::runtime_error(kKeinKontext);
    // The picture is drawn into a framebuffer object, so any configuration or none serves.
    const EGLint wunsch[] = {EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT, EGL_NONE};
    EGLConfig konfiguration = nullptr;
    EGLint anzahl = 0;
    if (!eglChooseConfig(anzeige_, wunsch, &konfiguration, 1, &anzahl) || anzahl < 1) konfiguration = nullptr;
    kontext_ = eglCreateContext(anzeige_, konfiguration, EGL_NO_CONTEXT, nullptr);
    if (kontext_ == EGL_NO_CONTEXT || !eglMakeCurrent(anzeige_, EGL_NO_SURFACE, EGL_NO_SURFACE, kontext_)) {
      if (kontext_ != EGL_NO_CONTEXT) eglDestroyContext(anzeige_, kontext_);
      throw std::runtime_error(kKeinKontext);
    }
  }
  ~Kontext() {
    eglMakeCurrent(anzeige_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    eglDestroyContext(anzeige_, kontext_);
  }
  Kontext(const Kontext&) = delete;
  Kontext& operator=(const Kontext&) = delete;

 private:
  EGLDisplay anzeige_ = EGL_NO_DISPLAY;
  EGLContext kontext_ = EGL_NO_CONTEXT;
};

/// A framebuffer object with colour and 24-bit depth, bound while it exists.
class Bildpuffer {
 public:
  Bildpuffer(int w, int h)
      : genF_(Funktion<PFNGLGENFRAMEBUFFERSPROC>("glGenFramebuffers")),
        bindF_(Funktion<PFNGLBINDFRAMEBUFFERPROC>("glBindFramebuffer")),
        loeschF_(Funktion<PFNGLDELETEFRAMEBUFFERSPROC>("glDeleteFramebuffers")),
        genR_(Funktion<PFNGLGENRENDERBUFFERSPROC>("glGenRenderbuffers")),
        bindR_(Funktion<PFNGLBINDRENDERBUFFERPROC>("glBindRenderbuffer")),
        loeschR_(Funktion<PFNGLDELETERENDERBUFFERSPROC>("glDeleteRenderbuffers")) {
    const auto speicher = Funktion<PFNGLRENDERBUFFERSTORAGEPROC>("glRenderbufferStorage");
    const auto anhaengen = Funktion<PFNGLFRAMEBUFFERRENDERBUFFERPROC>("glFramebufferRenderbuffer");
    const auto zustand = Funktion<PFNGLCHECKFRAMEBUFFERSTATUSPROC>("glCheckFramebufferStatus");
    genF_(1, &puffer_);
    bindF_(GL_FRAMEBUFFER, puffer_);
    genR_(2, ablagen_);
    bindR_(GL_RENDERBUFFER, ablagen_[0]);
    speicher(GL_RENDERBUFFER, GL_RGBA8, w, h);
    anhaengen(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, ablagen_[0]);
    bindR_(GL_RENDERBUFFER, ablagen_[1]);
    speicher(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, w, h);
    anhaengen(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, ablagen_[1]);
    if (zustand(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
      Freigeben();
      throw std::runtime_error("Für die 3D-Ansicht ließ sich kein Bildspeicher dieser Größe anlegen.");
    }
  }
  ~Bildpuffer() { Freigeben(); }
  Bildpuffer(const Bildpuffer&) = delete;
  Bildpuffer& operator=(const Bildpuffer&) = delete;

 private:
  void Freigeben() {
    bindF_(GL_FRAMEBUFFER, 0);
    loeschF_(1, &puffer_);
    loeschR_(2, ablagen_);
  }
  PFNGLGENFRAMEBUFFERSPROC genF_;
  PFNGLBINDFRAMEBUFFERPROC bindF_;
  PFNGLDELETEFRAMEBUFFERSPROC loeschF_;
  PFNGLGENRENDERBUFFERSPROC genR_;
  PFNGLBINDRENDERBUFFERPROC bindR_;
  PFNGLDELETERENDERBUFFERSPROC loeschR_;
  GLuint puffer_ = 0;
  GLuint ablagen_[2] = {0, 0};
};

}  // namespace

QImage Szene3DBild(const TSzene3D& s, const TAnsicht3D& a, int w, int h) {
  if (w < 1 || h < 1) throw std::runtime_error("Das Bild der 3D-Ansicht braucht eine Breite und Höhe ab 1 Pixel.");
  QImage bild(w, h, QImage::Format_RGB888);
  if (bild.isNull()) throw std::runtime_error("Für die 3D-Ansicht ließ sich kein Bildspeicher dieser Größe anlegen.");
  Kontext kontext;
  Bildpuffer puffer(w, h);
  Szene3DEinrichten();
  Szene3DZeichnen(s, a, w, h);
  // OpenGL's rows run bottom-up and, like QImage's, start at multiples of 4 bytes.
  glPixelStorei(GL_PACK_ALIGNMENT, 4);
  glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, bild.bits());
  return bild.mirrored();
}

}  // namespace trm::gui
