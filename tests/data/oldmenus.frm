VERSION 4.00
Begin VB.Form frmEditor 
   Caption         =   "Editor"
   ClientHeight    =   4230
   ClientLeft      =   1140
   ClientTop       =   1755
   ClientWidth     =   6690
   BeginProperty Font 
      name            =   "DejaVu Sans"
      charset         =   0
      weight          =   400
      size            =   8.25
      underline       =   0   'False
      italic          =   0   'False
      strikethrough   =   0   'False
   EndProperty
   Height          =   4920
   Left            =   1080
   LinkTopic       =   "Form1"
   ScaleHeight     =   4230
   ScaleWidth      =   6690
   Top             =   1125
   Width           =   6810
   Begin VB.TextBox txtBody 
      Height          =   3255
      Left            =   120
      MultiLine       =   -1  'True
      ScrollBars      =   2  'Vertical
      TabIndex        =   0
      Top             =   120
      Width           =   6450
   End
   Begin VB.CommandButton cmdClose 
      Cancel          =   -1  'True
      Caption         =   "Close"
      Height          =   375
      Left            =   5400
      TabIndex        =   1
      Top             =   3720
      Width           =   1170
   End
   Begin VB.Label lblStatus 
      Caption         =   "Ready"
      Height          =   255
      Left            =   120
      TabIndex        =   2
      Top             =   3780
      Width           =   3975
   End
   Begin VB.Menu mnuFile 
      Caption         =   "&File"
      Begin VB.Menu mnuFileNew 
         Caption         =   "&New"
         Shortcut        =   ^N
      End
      Begin VB.Menu mnuFileSaveAs 
         Caption         =   "Save &As..."
         Shortcut        =   ^{F12}
      End
      Begin VB.Menu mnuFileBar 
         Caption         =   "-"
      End
      Begin VB.Menu mnuFileExit 
         Caption         =   "E&xit"
         Shortcut        =   %{BKSP}
      End
   End
   Begin VB.Menu mnuEdit 
      Caption         =   "&Edit"
      Begin VB.Menu mnuEditUndo 
         Caption         =   "&Undo"
         Shortcut        =   ^Z
      End
      Begin VB.Menu mnuEditCut 
         Caption         =   "Cu&t"
         Shortcut        =   +{DEL}
      End
      Begin VB.Menu mnuEditCopy 
         Caption         =   "&Copy"
         Shortcut        =   ^{INSERT}
      End
      Begin VB.Menu mnuEditPaste 
         Caption         =   "&Paste"
         Shortcut        =   +{INSERT}
      End
      Begin VB.Menu mnuEditDelete 
         Caption         =   "De&lete"
         Shortcut        =   {DEL}
      End
      Begin VB.Menu mnuEditFind 
         Caption         =   "&Find Next"
         Shortcut        =   {F3}
      End
      Begin VB.Menu mnuEditRename 
         Caption         =   "&Rename"
         Shortcut        =   +{F2}
      End
      Begin VB.Menu mnuEditMore 
         Caption         =   "&More"
         Begin VB.Menu mnuEditSelectAll 
            Caption         =   "Select &All"
            Shortcut        =   +^A
         End
         Begin VB.Menu mnuEditInsertFile 
            Caption         =   "&Insert File"
            Shortcut        =   {INSERT}
         End
         Begin VB.Menu mnuEditSpell 
            Caption         =   "&Spelling"
            Shortcut        =   +^{F7}
         End
      End
   End
End
Attribute VB_Name = "frmEditor"
Attribute VB_Creatable = False
Attribute VB_Exposed = False
Option Explicit

Private Sub cmdClose_Click()
    Unload Me
End Sub
