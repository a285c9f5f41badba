// SPDX-FileCopyrightText: 2026 Kavelo developers
// SPDX-License-Identifier: MIT
// The screen on view as a screen reader reads it. The program draws on a canvas, which
// tells a screen reader nothing, so the program hands the page what a desktop screen
// reader would be handed (platform/accessibility_mirror_web.cpp): the screen's tree of
// controls with their roles and names, the control the focus is on, and each message.
//
// The tree lives inside the canvas as its fallback content, which is never drawn and is
// read by screen readers. The canvas keeps the keyboard focus, as the program hears its
// keys there, and names the focused control as its active descendant. Each message is a
// new line of a polite live region, never an old line changed.
'use strict';

const kaveloMirror = globalThis.kaveloMirror = (() => {
  const canvas = document.getElementById('screen');
  const log = document.getElementById('announcements');
  // Lines kept for a screen reader that reads them late.
  const keptMessages = 8;
  let elements = new Map();  // element id -> element, as the last tree left them
  // A new screen is entered as a new window is: its name first, then the control that has
  // the focus. A screen reader says the name of a group only when the focus comes from
  // a control that still stands in the page, and the last screen's are gone.
  const screenNameMilliseconds = 200;
  let screenId = null;
  let focusId = null;
  let screenNamed = null;

  // Only what changed is touched: a screen reader hears of every change.
  function set(element, attribute, value) {
    if (!value)
      element.removeAttribute(attribute);
    else if (element.getAttribute(attribute) !== value)
      element.setAttribute(attribute, value);
  }

  function place(parent, children) {
    children.forEach((child, i) => {
      if (parent.children[i] !== child)
        parent.insertBefore(child, parent.children[i] ?? null);
    });
    while (parent.children.length > children.length)
      parent.lastElementChild.remove();
  }

  // An element keeps its id and stays the same element while its control lives, so that
  // the focus on it is not read anew when something else changes.
  function build(node, seen) {
    const id = 'kavelo-' + node.id;
    const element = elements.get(id) ?? Object.assign(document.createElement('div'), {id});
    seen.set(id, element);
    set(element, 'role', node.role);
    if (node.role) {
      set(element, 'aria-label', node.name);
      place(element, (node.kids ?? []).map(kid => build(kid, seen)));
    } else if (element.textContent !== node.name) {
      element.textContent = node.name;
    }
    return element;
  }

  return {
    // {tree, focus}: tree is {id, role, name, kids} or absent when no screen is on view.
    update(screen) {
      // Qt makes the canvas editable for the clipboard, which Kavelo does not use; an
      // editable canvas would be read as a text field and its tree as text being typed.
      if (canvas.isContentEditable)
        canvas.contentEditable = 'false';
      const seen = new Map();
      place(canvas, screen.tree ? [build(screen.tree, seen)] : []);
      elements = seen;
      focusId = screen.focus ? 'kavelo-' + screen.focus : null;
      const shown = screen.tree ? 'kavelo-' + screen.tree.id : null;
      if (shown && shown !== screenId && focusId) {
        screenId = shown;
        set(canvas, 'aria-activedescendant', shown);
        clearTimeout(screenNamed);
        screenNamed = setTimeout(() => {
          screenNamed = null;
          set(canvas, 'aria-activedescendant', elements.has(focusId) ? focusId : null);
        }, screenNameMilliseconds);
      } else if (!screenNamed) {
        set(canvas, 'aria-activedescendant', focusId);
      }
    },

    announce(message) {
      const line = document.createElement('p');
      line.textContent = message;
      log.append(line);
      while (log.children.length > keptMessages)
        log.firstElementChild.remove();
    },
  };
})();
