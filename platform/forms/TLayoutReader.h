#pragma once

#include "platform/core/TEvents.h"

#include <map>
#include <string>
#include <string_view>

class QObject;
class QWidget;
class TClassRegistry;

// Handlers a window offers to its stored layout, by name ("sIB_PlayClick").
using THandlerTable = std::map<std::string, TNotifyEvent, std::less<>>;

// Components with item lists in the layout ("Panels = < item ... end >").
class ICollectionOwner {
public:
    virtual ~ICollectionOwner() = default;
    // Whether `collection` is one of this component's lists. A stored list replaces the
    // items the component made for itself, so this also empties the list.
    virtual bool ClearCollection(std::string_view collection) = 0;
    // A new item appended to `collection`, owned by the component; nullptr if unknown.
    virtual QObject* AddCollectionItem(std::string_view collection) = 0;
};

// Builds the tree below `root` from a stored layout and applies the stored properties.
//
// The text is a tree of blocks; the outermost describes `root` itself, which the caller
// has already made (its class must be the stored one or derive from it):
//
//   object frm_main: Tfrm_main
//     Caption = 'Varnel  Zintaro'
//     Width = 762
//     Constraints.MinWidth = 150
//     object sPanel_image: TsuiPanel
//       Left = 18
//       Color = clWhite
//       Font.Style = [fsBold]
//       object img_word: TImage
//         Align = alClient
//       end
//     end
//     object sSB: TsuiStatusBar
//       Panels = <
//         item
//           Width = 200
//         end>
//     end
//     object tmr_play: TTimer
//       Enabled = False
//       OnTimer = tmr_playTimer
//     end
//   end
//
// Each block is `object <name>: <class>`, then property lines and child blocks in any
// order, then `end`. Components are made in tree order through `registry`; controls
// become child widgets of the enclosing block, other components QObject children of it.
// Each gets its name as objectName, then its property lines are applied in stored order
// as they are read, before its children are made. Properties are the PascalCase
// Q_PROPERTYs, set through the meta-object; `A.B = v` sets B on the QObject that
// property A holds. Values:
//   -11  $C82C00        integers (hex up to 32 bits) for int and quint32 properties
//   'It''s 汉字'        UTF-8 strings, '' for a quote, on one line, for QString properties
//   True  False         bool properties
//   alClient  WinXP     names of a Q_ENUM property's values
//   clWhite  clBtnFace  colour names, for quint32 (TColor) properties
//   [fsBold, fsItalic]  sets: a Q_FLAG property, or a QString property as "[fsBold,fsItalic]"
//   (sTS_main 'a' 1)    lists, for QStringList properties
//   Theme1  sTS_main    a component's name, for a property holding a QObject subclass
//                       pointer: set when the whole tree is read, before Loaded(); an
//                       unknown name or a component of another class fails
//   sIB_PlayClick       for a property named On...: the handler of that name from
//                       `handlers`, bound through IEventSource
//   < item ... end >    collections, through ICollectionOwner; each item's lines are
//                       applied to the item like any other property lines
// Blocks and collections nest at most 32 deep. When all is read, every TControl made
// (and the root) leaves its loading state and runs Loaded(), in creation order.
//
// Failures throw EReadError naming the line ("Line 12: unknown property "Captoin" of
// TsuiImageButton"): unknown class or property, a value of the wrong kind, an unknown
// handler, a duplicate component name, a missing `end`, stray text, a setter's own
// refusal, a reference to an unknown component or to one of the wrong class. Components
// made before the failure stay below `root`; discard it.
void ReadLayout(std::string_view text, QWidget& root, const TClassRegistry& registry,
    const THandlerTable& handlers);
