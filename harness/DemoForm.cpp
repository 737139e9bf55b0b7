#include "harness/DemoForm.h"

namespace kv::app {

namespace {

const char* kForm = R"(VERSION 5.00
Begin VB.Form frmMail 
   Caption         =   "Mail - Inbox"
   ClientHeight    =   6600
   ClientLeft      =   1260
   ClientTop       =   1545
   ClientWidth     =   9600
   LinkTopic       =   "Form1"
   ScaleHeight     =   6600
   ScaleWidth      =   9600
   StartUpPosition =   0  'Manual
   Begin VB.PictureBox picToolbar 
      Align           =   1  'Align Top
      BorderStyle     =   0  'None
      Height          =   540
      Left            =   0
      ScaleHeight     =   540
      ScaleWidth      =   9600
      TabIndex        =   0
      Top             =   0
      Width           =   9600
      Begin VB.CommandButton cmdNew 
         Caption         =   "New"
         Height          =   420
         Left            =   60
         TabIndex        =   1
         Top             =   60
         Width           =   975
      End
      Begin VB.CommandButton cmdReply 
         Caption         =   "Reply"
         Height          =   420
         Left            =   1095
         TabIndex        =   2
         Top             =   60
         Width           =   975
      End
      Begin VB.CommandButton cmdDelete 
         Caption         =   "Delete"
         Height          =   420
         Left            =   2130
         TabIndex        =   3
         Top             =   60
         Width           =   975
      End
   End
   Begin VB.PictureBox picStatus 
      Align           =   2  'Align Bottom
      BorderStyle     =   0  'None
      Height          =   375
      Left            =   0
      ScaleHeight     =   375
      ScaleWidth      =   9600
      TabIndex        =   4
      Top             =   6225
      Width           =   9600
      Begin VB.Label lblStatus 
         Caption         =   "Ready - 3 unread messages"
         Height          =   255
         Left            =   120
         TabIndex        =   5
         Top             =   60
         Width           =   9360
      End
   End
   Begin VB.ListBox lstFolders 
      BeginProperty Font 
         Name            =   "DejaVu Sans"
         Size            =   9.75
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Height          =   3570
      IntegralHeight  =   0   'False
      Left            =   120
      TabIndex        =   6
      Top             =   660
      Width           =   2280
   End
   Begin VB.ListBox lstMessages 
      Height          =   1815
      IntegralHeight  =   0   'False
      Left            =   2520
      TabIndex        =   7
      Top             =   660
      Width           =   6960
   End
   Begin VB.TextBox txtPreview 
      Height          =   1635
      Left            =   2520
      MultiLine       =   -1  'True
      TabIndex        =   8
      Text            =   "Dear team, the new layout keeps every control in its place."
      Top             =   2595
      Width           =   6960
   End
   Begin VB.Frame fraView 
      Caption         =   "Show"
      Height          =   1200
      Left            =   120
      TabIndex        =   9
      Top             =   4350
      Width           =   4200
      Begin VB.OptionButton optView 
         Caption         =   "Flagged"
         Height          =   255
         Index           =   2
         Left            =   2760
         TabIndex        =   12
         Top             =   480
         Width           =   1215
      End
      Begin VB.OptionButton optView 
         Caption         =   "Unread"
         Height          =   255
         Index           =   1
         Left            =   1440
         TabIndex        =   11
         Top             =   480
         Width           =   1215
      End
      Begin VB.OptionButton optView 
         Caption         =   "All"
         Height          =   255
         Index           =   0
         Left            =   120
         TabIndex        =   10
         Top             =   480
         Value           =   -1  'True
         Width           =   1215
      End
   End
   Begin VB.CommandButton cmdOK 
      Caption         =   "OK"
      Default         =   -1  'True
      Height          =   375
      Left            =   6840
      TabIndex        =   13
      Top             =   5760
      Width           =   1215
   End
   Begin VB.CommandButton cmdCancel 
      Cancel          =   -1  'True
      Caption         =   "Cancel"
      Height          =   375
      Left            =   8160
      TabIndex        =   14
      Top             =   5760
      Width           =   1215
   End
   Begin VB.Line linSep 
      BorderColor     =   &H80000010&
      X1              =   120
      X2              =   9480
      Y1              =   5670
      Y2              =   5670
   End
End
Attribute VB_Name = "frmMail"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit

Private Sub cmdCancel_Click()
    Unload Me
End Sub
)";

}  // namespace

std::string demo_form_text() {
    std::string out;
    for (const char* c = kForm; *c; ++c) {
        if (*c == '\n') out += '\r';
        out += *c;
    }
    return out;
}

std::string demo_control_settings() {
    // key, blank, tab, then the left, top, right, bottom and font modes.
    const char* lines[] = {
        "picToolbar \tKKKKK", "picStatus \tKKKKK", "cmdNew \tKKAAK",     "cmdReply \tKKAAK",
        "cmdDelete \tKKAAK",  "lblStatus \tKKKAK", "lstFolders \tKKAKC", "lstMessages \tKKKRK",
        "txtPreview \tKRKKC", "fraView \tKAAKK",   "optView(0) \tKKAAK", "optView(1) \tKKAAK",
        "optView(2) \tKKAAK", "linSep \tKAKKK",    "cmdOK \tAAKKK",      "cmdCancel \tAAKKK"};
    std::string s;
    for (const char* l : lines) {
        if (!s.empty()) s += "\r\n";
        s += l;
    }
    return s;
}

std::string demo_pane_settings() {
    return "lstFolders lstMessages txtPreview";
}

}  // namespace kv::app
