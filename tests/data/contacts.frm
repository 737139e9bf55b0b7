VERSION 5.00
Object = "{3A2F9C11-7B44-4D2E-A0C5-19E8D2B7F601}#2.0#0"; "NOVACTL.OCX"
Object = "{C6E1A0F4-2B7D-4E93-8A51-7F0D3C9B2E68}#6.0#0"; "NOVADATA.OCX"
Object = "{7D3B52E1-4C0A-4B8E-9F21-6A5C3E80D1B4}#1.0#0"; "zokKL4VB.ocx"
Begin VB.Form frmContacts 
   BorderStyle     =   2  'Sizable
   Caption         =   "Contacts"
   ClientHeight    =   3480
   ClientLeft      =   60
   ClientTop       =   345
   ClientWidth     =   6120
   LinkTopic       =   "Form1"
   ScaleHeight     =   3480
   ScaleWidth      =   6120
   StartUpPosition =   3  'Windows Default
   Begin NovaData.DataList dblContacts 
      Height          =   2790
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   2175
      _ExtentX        =   3836
      _ExtentY        =   4921
      _Version        =   393216
   End
   Begin VB.Label lblName 
      Caption         =   "&Name:"
      Height          =   255
      Left            =   2520
      TabIndex        =   1
      Top             =   180
      Width           =   855
   End
   Begin VB.TextBox txtName 
      Height          =   315
      Left            =   3480
      TabIndex        =   2
      Text            =   "Ann Baker"
      Top             =   120
      Width           =   2535
   End
   Begin VB.Label lblGroup 
      Caption         =   "&Group:"
      Height          =   255
      Left            =   2520
      TabIndex        =   3
      Top             =   600
      Width           =   855
   End
   Begin NovaData.DataCombo dbcGroup 
      Height          =   315
      Left            =   3480
      TabIndex        =   4
      Top             =   540
      Width           =   2535
      _ExtentX        =   4471
      _ExtentY        =   556
      _Version        =   393216
      Style           =   2
      Text            =   "Friends"
   End
   Begin VB.Label lblIcon 
      Caption         =   "&Icon:"
      Height          =   255
      Left            =   2520
      TabIndex        =   5
      Top             =   1020
      Width           =   855
   End
   Begin NovaCtl.ImageCombo imcIcon 
      Height          =   330
      Left            =   3480
      TabIndex        =   6
      Top             =   960
      Width           =   2535
      _ExtentX        =   4471
      _ExtentY        =   582
      _Version        =   393216
      ForeColor       =   -2147483640
      BackColor       =   -2147483643
      Text            =   "Person"
   End
   Begin VB.CommandButton cmdOK 
      Caption         =   "OK"
      Default         =   -1  'True
      Height          =   375
      Left            =   3600
      TabIndex        =   7
      Top             =   3000
      Width           =   1095
   End
   Begin VB.CommandButton cmdCancel 
      Cancel          =   -1  'True
      Caption         =   "Cancel"
      Height          =   375
      Left            =   4920
      TabIndex        =   8
      Top             =   3000
      Width           =   1095
   End
   Begin zokKL4VB.zokKelvane zokKelvane1 
      Left            =   2520
      Top             =   2880
      _ExtentX        =   847
      _ExtentY        =   847
      ControlSettings =   "contacts.frx":0000
      FormGUID        =   "{9A3C5E71-0B2D-4F86-A4E9-5D17C8B2F031}"
   End
End
Attribute VB_Name = "frmContacts"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
