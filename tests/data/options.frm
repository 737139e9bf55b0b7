VERSION 5.00
Object = "{7D3B52E1-4C0A-4B8E-9F21-6A5C3E80D1B4}#1.0#0"; "zokKL4VB.ocx"
Begin VB.Form frmOptions 
   BorderStyle     =   2  'Sizable
   Caption         =   "Options"
   ClientHeight    =   5010
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   6915
   BeginProperty Font 
      Name            =   "MS Sans Serif"
      Size            =   8.25
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   LinkTopic       =   "Form1"
   ScaleHeight     =   5010
   ScaleWidth      =   6915
   StartUpPosition =   1  'CenterOwner
   Begin VB.CommandButton cmdHelp 
      Caption         =   "&Help"
      Height          =   375
      Left            =   120
      TabIndex        =   19
      Top             =   4500
      Width           =   1095
   End
   Begin VB.CommandButton cmdApply 
      Caption         =   "&Apply"
      Enabled         =   0   'False
      Height          =   375
      Left            =   5700
      TabIndex        =   18
      Top             =   4500
      Width           =   1095
   End
   Begin VB.CommandButton cmdCancel 
      Cancel          =   -1  'True
      Caption         =   "Cancel"
      Height          =   375
      Left            =   4500
      TabIndex        =   17
      Top             =   4500
      Width           =   1095
   End
   Begin VB.CommandButton cmdOK 
      Caption         =   "OK"
      Default         =   -1  'True
      Height          =   375
      Left            =   3300
      TabIndex        =   16
      Top             =   4500
      Width           =   1095
   End
   Begin VB.Frame fraLook 
      Caption         =   "Appearance"
      Height          =   2415
      Left            =   120
      TabIndex        =   8
      Top             =   1800
      Width           =   6675
      Begin VB.PictureBox picPreview 
         BackColor       =   &H00FFFFFF&
         Height          =   1215
         Left            =   2880
         ScaleHeight     =   40
         ScaleMode       =   0  'User
         ScaleWidth      =   100
         TabIndex        =   14
         Top             =   360
         Width           =   3615
         Begin VB.Shape shpBorder 
            BorderStyle     =   3  'Dot
            Height          =   900
            Left            =   120
            Top             =   120
            Width           =   3315
         End
         Begin VB.Label lblSample 
            Alignment       =   2  'Center
            BackStyle       =   0  'Transparent
            Caption         =   "AaBbYyZz"
            Height          =   375
            Left            =   360
            TabIndex        =   15
            Top             =   420
            Width           =   2835
         End
      End
      Begin VB.HScrollBar hsbSize 
         Height          =   255
         LargeChange     =   4
         Left            =   960
         Max             =   72
         Min             =   6
         TabIndex        =   12
         Top             =   840
         Value           =   10
         Width           =   1695
      End
      Begin VB.ComboBox cboFont 
         Height          =   315
         Left            =   960
         TabIndex        =   10
         Text            =   "Arial"
         Top             =   360
         Width           =   1695
      End
      Begin VB.ListBox lstSchemes 
         Height          =   645
         Left            =   120
         MultiSelect     =   2  'Extended
         TabIndex        =   13
         Top             =   1620
         Width           =   6375
      End
      Begin VB.Label lblSize 
         Caption         =   "&Size:"
         Height          =   255
         Left            =   120
         TabIndex        =   11
         Top             =   840
         Width           =   735
      End
      Begin VB.Label lblFont 
         Caption         =   "&Font:"
         Height          =   255
         Left            =   120
         TabIndex        =   9
         Top             =   390
         Width           =   735
      End
   End
   Begin VB.Frame fraSave 
      Caption         =   "Saving"
      Height          =   1575
      Left            =   3480
      TabIndex        =   4
      Top             =   120
      Width           =   3315
      Begin VB.CheckBox chkSave 
         Caption         =   "Ask before &closing"
         Height          =   255
         Index           =   2
         Left            =   120
         TabIndex        =   7
         Top             =   1080
         Value           =   2  'Grayed
         Width           =   3015
      End
      Begin VB.CheckBox chkSave 
         Caption         =   "Keep &backup copies"
         Height          =   255
         Index           =   1
         Left            =   120
         TabIndex        =   6
         Top             =   720
         Width           =   3015
      End
      Begin VB.CheckBox chkSave 
         Caption         =   "Save &automatically"
         Height          =   255
         Index           =   0
         Left            =   120
         TabIndex        =   5
         Top             =   360
         Value           =   1  'Checked
         Width           =   3015
      End
   End
   Begin VB.Frame fraStartup 
      Caption         =   "Start-up"
      Height          =   1575
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   3255
      Begin VB.OptionButton optStartup 
         Caption         =   "&Welcome page"
         Height          =   255
         Index           =   2
         Left            =   120
         TabIndex        =   3
         Top             =   1080
         Value           =   -1  'True
         Width           =   2895
      End
      Begin VB.OptionButton optStartup 
         Caption         =   "&Last document"
         Height          =   255
         Index           =   1
         Left            =   120
         TabIndex        =   2
         Top             =   720
         Width           =   2895
      End
      Begin VB.OptionButton optStartup 
         Caption         =   "&Blank document"
         Height          =   255
         Index           =   0
         Left            =   120
         TabIndex        =   1
         Top             =   360
         Width           =   2895
      End
   End
   Begin VB.Line linSep 
      BorderColor     =   &H80000010&
      X1              =   120
      X2              =   6795
      Y1              =   4335
      Y2              =   4335
   End
   Begin zokKL4VB.zokKelvane zokKelvane1 
      Left            =   120
      Top             =   120
      _ExtentX        =   847
      _ExtentY        =   847
      AddAllControls  =   -1  'True
      FormGUID        =   "{CE355464-4D0E-45C2-BE43-82CB906C0868}"
      MinWidth        =   5400
      MinHeight       =   4200
      AlignBLeft      =   0
      AlignBTop       =   0
      AlignBBottom    =   0
      AlignBRight     =   0
   End
End
Attribute VB_Name = "frmOptions"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
Option Explicit
